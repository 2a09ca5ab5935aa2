' Update step of the diagnostic service on the demo medium. It updates
' nothing: it records that it ran by appending "updateqxd <code>" to
' C:\TavrikComponents.txt and ends with <code>, the number held in
' C:\updateqxd-result.txt when that file exists (so a test can make it
' fail), else 2 ("nothing to update").
Option Explicit

Const ForReading = 1
Const ForAppending = 8
Const RecordPath = "C:\TavrikComponents.txt"
Const ResultPath = "C:\updateqxd-result.txt"

Dim files, stream, text, code, note
Set files = CreateObject("Scripting.FileSystemObject")
code = 2
note = ""
If files.FileExists(ResultPath) Then
    Set stream = files.OpenTextFile(ResultPath, ForReading)
    text = ""
    If Not stream.AtEndOfStream Then text = Trim(stream.ReadLine)
    stream.Close
    If IsNumeric(text) Then
        code = CLng(text)
    Else
        ' A result file without a number is a test's mistake: say so, fail.
        code = 1
        note = " (" & ResultPath & " holds no number: [" & text & "])"
    End If
End If

Set stream = files.OpenTextFile(RecordPath, ForAppending, True)
stream.WriteLine "updateqxd " & code & note
stream.Close
WScript.Quit code
