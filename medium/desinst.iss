; Response file of the demo medium's setup.exe for a removal: it deletes
; PathInstall\APP\BRENDOL\.
[Setup]
Action=remove

[Progress]
Steps=4
StepMs=300
MarkerWaitMs=10000

[Faults]
Outcome=success
HangSeconds=0
