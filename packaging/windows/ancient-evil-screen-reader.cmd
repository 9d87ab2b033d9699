@echo off
rem Drevnee Zlo told in plain lines, for a screen reader such as NVDA or a
rem braille display: a double click starts it in a console window of its own.
"%~dp0ancient-evil.exe" --screen-reader
rem Keeps the last lines on view and in the screen reader's review until a key.
pause
