; Response file of the demo medium's setup.exe for an installation or an
; update: it copies the application folder BRENDOL\ to PathInstall\APP\.
[Setup]
Action=install

[Progress]
Steps=6
StepMs=300
MarkerWaitMs=10000

[Faults]
Outcome=success
HangSeconds=0
