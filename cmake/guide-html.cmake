# cmake -DCMARK=cmark-gfm -DSOURCE=guide.md -DOUTPUT=guide.html -P guide-html.cmake
# One page of HTML from the guide: its first heading is the page's title,
# tables are GitHub's, and the page is UTF-8 whatever the browser guesses.
execute_process(COMMAND ${CMARK} --extension table --extension autolink --to html ${SOURCE}
  OUTPUT_VARIABLE body RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${CMARK} could not read ${SOURCE}")
endif()
file(STRINGS ${SOURCE} heading REGEX "^# " LIMIT_COUNT 1 ENCODING UTF-8)
string(REGEX REPLACE "^# " "" title "${heading}")
string(REPLACE "&" "&amp;" title "${title}")
string(REPLACE "<" "&lt;" title "${title}")
file(WRITE ${OUTPUT} "<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<title>${title}</title>
<style>
body { font-family: Segoe UI, Arial, sans-serif; max-width: 50em; margin: 2em auto; padding: 0 1em; line-height: 1.45; }
img { max-width: 100%; }
table { border-collapse: collapse; }
th, td { border: 1px solid #bbb; padding: 0.3em 0.6em; vertical-align: top; }
code { background: #f2f2f2; }
</style>
</head>
<body>
${body}</body>
</html>
")
