@echo off
rem The "tl380ctl" entry of the Start menu: a command prompt with tl380ctl on its path.
set "PATH=%~dp0;%PATH%"
echo tl380ctl: type tl380ctl --help for the commands, e.g. tl380ctl --serial COM3 read
