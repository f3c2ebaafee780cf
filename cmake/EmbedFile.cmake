# Turns a binary file into a C++ source that defines
#   extern const std::uint8_t <NAME>[]; extern const std::size_t <SIZE_NAME>;
# in namespace <NAMESPACE>. Run at configure time; the file is a configure
# dependency, so editing it re-runs the embedding.
function(qv_embed_file input output namespace name size_name)
  file(READ ${input} hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
  file(WRITE ${output}.tmp
    "// Embedded from ${input} by the build.\n"
    "#include <cstddef>\n#include <cstdint>\n\n"
    "namespace ${namespace} {\n\n"
    "extern const std::uint8_t ${name}[${size}] = {\n${bytes}\n};\n"
    "extern const std::size_t ${size_name} = ${size};\n\n"
    "}  // namespace ${namespace}\n")
  file(COPY_FILE ${output}.tmp ${output} ONLY_IF_DIFFERENT)
  file(REMOVE ${output}.tmp)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${input})
endfunction()
