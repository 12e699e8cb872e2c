# Writes the schema scripts into a C++ source file (OUT), one raw string per
# script, so the generator carries its schema with it.
file(GLOB_RECURSE scripts RELATIVE ${SCHEMA_DIR} ${SCHEMA_DIR}/*.sql)
list(SORT scripts)
set(body "")
foreach(script IN LISTS scripts)
  file(READ ${SCHEMA_DIR}/${script} text)
  string(FIND "${text}" ")tlsql\"" clash)
  if(NOT clash EQUAL -1)
    message(FATAL_ERROR "${script} holds the text that ends an embedded script")
  endif()
  string(APPEND body "        {\"${script}\", R\"tlsql(${text})tlsql\"},\n")
endforeach()
file(WRITE ${OUT} "// Generated from sample/schema by EmbedSchema.cmake; edit the scripts, not this file.
#include \"SampleSchema.h\"

const std::vector<SampleScript>& SampleScripts() {
    static const std::vector<SampleScript> scripts = {
${body}    };
    return scripts;
}
")
