# What makes a full build quicker without changing what is built.

# lld links the sanitized programs, each with the libraries' debug information, several
# times faster than the default linker.
include(CheckLinkerFlag)
check_linker_flag(CXX -fuse-ld=lld VEXA_HAVE_LLD)
if(VEXA_HAVE_LLD)
  add_link_options(-fuse-ld=lld)
endif()

# vexa_unity_build(TARGET): compiles the target's files a batch at a time, so that each
# batch parses the headers they share once. A unity build of every target (scripts/test
# configures one with CMAKE_UNITY_BUILD) is quickest from scratch; one file changed
# compiles its whole batch again. Names in anonymous namespaces must then differ between
# the files of a target. GCC takes a type in an anonymous namespace of a file included in
# the batch for one of a header, and warns of it for nothing.
function(vexa_unity_build target)
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-subobject-linkage)
  endif()
endfunction()
if(CMAKE_UNITY_BUILD AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-Wno-subobject-linkage)
endif()
