# Turns a plain-text licence into a stand-alone HTML page.
#   cmake -DINPUT=<text file> -DOUTPUT=<html file> -DTITLE=<page title> -P textpage.cmake
if(NOT EXISTS "${INPUT}")
    message(FATAL_ERROR "Licence text ${INPUT} not found")
endif()
file(READ "${INPUT}" text)
string(REPLACE "&" "&amp;" text "${text}")
string(REPLACE "<" "&lt;" text "${text}")
string(REPLACE ">" "&gt;" text "${text}")
file(WRITE "${OUTPUT}.tmp"
"<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<title>${TITLE}</title>
<style>
body { margin: 2em auto; max-width: 50em; font-family: sans-serif; color: #202020; }
pre { white-space: pre-wrap; font-family: monospace; font-size: 0.95em; }
</style>
</head>
<body>
<pre>${text}</pre>
</body>
</html>
")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
