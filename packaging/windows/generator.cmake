# Read by cpack for each generator it runs: the ZIP unpacks into a folder of
# its own; the installer puts the files into the folder it installs to.
if(CPACK_GENERATOR STREQUAL "ZIP")
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
