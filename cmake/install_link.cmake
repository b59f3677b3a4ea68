# vexa_install_link(TARGET LINK): installs LINK (a path under the prefix, like
# "bin/vexabuild") as a relative symbolic link to TARGET (another such path), so the
# installed tree can move, as Debian wants its links.
function(vexa_install_link target link)
  get_filename_component(link_folder ${link} DIRECTORY)
  file(RELATIVE_PATH relative /${link_folder} /${target})
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${link}\")
    get_filename_component(folder \"\${link}\" DIRECTORY)
    file(MAKE_DIRECTORY \"\${folder}\")
    message(STATUS \"Installing: \${link} -> ${relative}\")
    file(CREATE_LINK \"${relative}\" \"\${link}\" SYMBOLIC)
  ")
endfunction()
