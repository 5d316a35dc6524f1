# Run by CPack once it has made the packages (CPACK_POST_BUILD_SCRIPTS), to
# mend the debug symbols package as CMake 3.25 makes it: its md5sums names
# every file by its absolute path in CPack's staging folder, so dpkg
# --verify and debsums would find none of them, and the symbol files are
# executable. The package is rebuilt with each file's sum under its path in
# the package, the files readable only, and the link from its documentation
# folder to the game's that Debian's own debug packages carry.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "-dbgsym_[^/]*\\.ddeb$")
        continue()
    endif()
    set(tree ${package}.tree)
    file(REMOVE_RECURSE ${tree})
    execute_process(COMMAND dpkg-deb -R ${package} ${tree} COMMAND_ERROR_IS_FATAL ANY)
    file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${tree} ${tree}/usr/*)
    set(sums "")
    foreach(file IN LISTS files)
        file(CHMOD ${tree}/${file} FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
        file(MD5 ${tree}/${file} sum)
        string(APPEND sums "${sum}  ${file}\n")
    endforeach()
    file(WRITE ${tree}/DEBIAN/md5sums "${sums}")
    file(MAKE_DIRECTORY ${tree}/usr/share/doc)
    file(CREATE_LINK ${CPACK_PACKAGE_NAME} ${tree}/usr/share/doc/${CPACK_PACKAGE_NAME}-dbgsym SYMBOLIC)
    execute_process(COMMAND dpkg-deb --root-owner-group -b ${tree} ${package}
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${tree})
endforeach()
