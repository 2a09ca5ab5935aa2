@echo off
rem The diagnostic service's own script, as the installed suite has it
rem (a stand-in for the end-to-end tests): "check" answers 13 while the
rem service runs (a marker file beside the script), "stop" stops it.
if /i "%1"=="check" goto check
if /i "%1"=="stop" goto stop
exit 1
:check
if exist c:\app\qxdiag\running.flag exit 13
exit 0
:stop
if exist c:\app\qxdiag\running.flag del c:\app\qxdiag\running.flag
exit 0
