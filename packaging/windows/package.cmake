# Lays out the Windows program folder, then packs it as a zip, an NSIS installer and an MSI.
# Run by the windows_package target, which passes every path.
cmake_minimum_required(VERSION 3.25)

set(stage ${OUT_DIR}/${NAME})
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage})

# The program and the two plugins it loads: the Windows platform and the JPEG reader for the
# photos. Qt looks for plugin folders beside the executable.
file(COPY ${EXE} DESTINATION ${stage})
set(modules)
foreach(entry IN LISTS PLUGINS)
  string(REPLACE "=" ";" entry "${entry}")
  list(GET entry 0 folder)
  list(GET entry 1 plugin)
  file(COPY ${plugin} DESTINATION ${stage}/${folder})
  get_filename_component(plugin_name ${plugin} NAME)
  list(APPEND modules ${stage}/${folder}/${plugin_name})
endforeach()

# Every DLL they import, and every DLL those import, found among Qt's and the compiler's (by
# name without regard to case, as Windows looks them up); what is left must be Windows' own.
foreach(dir IN LISTS SEARCH_DIRS)
  file(GLOB candidates ${dir}/*.dll)
  foreach(candidate IN LISTS candidates)
    get_filename_component(name ${candidate} NAME)
    string(TOLOWER ${name} name)
    if(NOT DEFINED available_${name})
      set(available_${name} ${candidate})
    endif()
  endforeach()
endforeach()
set(queue ${stage}/Tvirdex.exe ${modules})
set(seen)
while(queue)
  list(POP_FRONT queue image)
  execute_process(COMMAND ${OBJDUMP} -p ${image} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
  foreach(import IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${import}")
    string(STRIP "${dll}" dll)
    string(TOLOWER "${dll}" dll)
    if(dll IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${dll})
    string(REGEX REPLACE "\\.dll$" "" stem "${dll}")
    if(DEFINED available_${dll})
      file(COPY ${available_${dll}} DESTINATION ${stage} FOLLOW_SYMLINK_CHAIN)
      get_filename_component(name ${available_${dll}} NAME)
      list(APPEND queue ${stage}/${name})
    elseif(NOT dll MATCHES "^(api|ext)-ms-" AND NOT EXISTS ${SYSTEM_LIB_DIR}/lib${stem}.a)
      message(FATAL_ERROR "${image} imports ${dll}, which is neither packaged nor Windows' own")
    endif()
  endforeach()
endwhile()
file(GLOB_RECURSE binaries ${stage}/*.exe ${stage}/*.dll)
execute_process(COMMAND ${STRIP} --strip-unneeded ${binaries} COMMAND_ERROR_IS_FATAL ANY)

# What the LGPL and the runtime licences ask: the texts, and which Qt source this is.
set(licenses ${stage}/licenses)
file(MAKE_DIRECTORY ${licenses})
configure_file(${SOURCE_DIR}/LICENSE ${stage}/LICENSE.txt COPYONLY)
configure_file(${QT_PREFIX}/tvirdex-qt-source.txt ${licenses}/Qt-source.txt COPYONLY)
configure_file(${QT_PREFIX}/licenses/debian-copyright.txt ${licenses}/Qt-copyright.txt COPYONLY)
foreach(text LGPL-3.0-only GPL-2.0-only GPL-3.0-only)
  if(EXISTS ${QT_PREFIX}/licenses/${text}.txt)
    configure_file(${QT_PREFIX}/licenses/${text}.txt ${licenses}/${text}.txt COPYONLY)
  endif()
endforeach()
configure_file(/usr/share/doc/gcc-mingw-w64-base/copyright ${licenses}/GCC-runtime-copyright.txt
               COPYONLY)
configure_file(/usr/share/doc/mingw-w64-x86-64-dev/copyright ${licenses}/MinGW-w64-copyright.txt
               COPYONLY)

# Equal sources give equal packages, whoever builds them when and wherever: every file and
# folder gets the same mode whatever the umask, and the time of the source (SOURCE_DATE_EPOCH,
# which scripts/build-windows sets from the last commit), which the installer records too.
file(CHMOD_RECURSE ${stage} FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
     DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                           WORLD_READ WORLD_EXECUTE)
file(CHMOD ${stage} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
     GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
string(TIMESTAMP source_time "%Y%m%d%H%M.%S" UTC)
file(GLOB_RECURSE entries RELATIVE ${OUT_DIR} ${stage}/*)
list(SORT entries)
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC touch -h -t ${source_time} ${entries}
                WORKING_DIRECTORY ${OUT_DIR} COMMAND_ERROR_IS_FATAL ANY)

# The portable zip: one folder's files in a fixed order; TZ=UTC since a zip's times are local.
file(REMOVE ${OUT_DIR}/${NAME}.zip)
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC
                        ${CMAKE_COMMAND} -E tar cf ${OUT_DIR}/${NAME}.zip --format=zip ${entries}
                WORKING_DIRECTORY ${OUT_DIR} COMMAND_ERROR_IS_FATAL ANY)

# One walk over the staged files writes all three packages' lists. The installer installs exactly
# these files and its uninstaller removes exactly these, so it never deletes what it did not put
# there. The MSI holds the same files, one component each; a component's GUID comes from its
# path, so every version names the same file with the same component, as Windows Installer
# requires. The MSI's Start-menu shortcut belongs to the program's own component.
file(GLOB_RECURSE files RELATIVE ${stage} ${stage}/*)
list(SORT files)
set(install_lines "")
set(uninstall_lines "")
set(dirs "")
set(size 0)
set(msi_files "")
set(msi_refs "")
set(open_dir "")
foreach(file IN LISTS files)
  string(REPLACE "/" "\\" win "${file}")
  get_filename_component(dir "${file}" DIRECTORY)
  get_filename_component(name "${file}" NAME)
  string(REPLACE "/" "\\" windir "${dir}")
  if(dir AND NOT dir IN_LIST dirs)
    list(APPEND dirs "${dir}")
  endif()
  string(APPEND install_lines "  SetOutPath \"$INSTDIR\\${windir}\"\n")
  string(APPEND install_lines "  File \"${stage}/${file}\"\n")
  string(APPEND uninstall_lines "  Delete \"$INSTDIR\\${win}\"\n")
  file(SIZE ${stage}/${file} bytes)
  math(EXPR size "${size} + ${bytes}")

  if(dir MATCHES "/")
    message(FATAL_ERROR "${file}: the MSI lays out one level of folders only")
  endif()
  if(NOT dir STREQUAL open_dir)
    if(open_dir)
      string(APPEND msi_files "          </Directory>\n")
    endif()
    if(dir)
      string(MAKE_C_IDENTIFIER "d_${dir}" dir_id)
      string(APPEND msi_files "          <Directory Id=\"${dir_id}\" Name=\"${dir}\">\n")
    endif()
    set(open_dir "${dir}")
  endif()
  string(MAKE_C_IDENTIFIER "${file}" id)
  string(UUID guid NAMESPACE ${MSI_UPGRADE_CODE} NAME "file ${file}" TYPE SHA1 UPPER)
  set(source "${NAME}/${file}")
  string(REPLACE "&" "&amp;" source "${source}")
  string(APPEND msi_files "          <Component Id=\"c_${id}\" Guid=\"${guid}\" Win64=\"yes\">\n"
                          "            <File Id=\"f_${id}\" Name=\"${name}\" Source=\"${source}\" KeyPath=\"yes\"/>\n")
  if(file STREQUAL "Tvirdex.exe")
    # A plain shortcut to the file, not an advertised one: it works the same under every shell.
    string(APPEND msi_files
      "            <Shortcut Id=\"StartMenu\" Directory=\"ProgramMenuFolder\" Name=\"Tvirdex\"\n"
      "                      Target=\"[#f_${id}]\" WorkingDirectory=\"INSTALLDIR\"/>\n")
  endif()
  string(APPEND msi_files "          </Component>\n")
  string(APPEND msi_refs "      <ComponentRef Id=\"c_${id}\"/>\n")
endforeach()
math(EXPR size_kib "(${size} + 1023) / 1024")

list(REVERSE dirs)
foreach(dir IN LISTS dirs)
  string(REPLACE "/" "\\" windir "${dir}")
  string(APPEND uninstall_lines "  RMDir \"$INSTDIR\\${windir}\"\n")
endforeach()
get_filename_component(nsi_dir ${NSI} DIRECTORY)
file(WRITE ${nsi_dir}/install-files.nsh "${install_lines}")
file(WRITE ${nsi_dir}/uninstall-files.nsh "${uninstall_lines}")
# makensis cannot read a non-ASCII path in a non-UTF-8 locale (LC_ALL=C): give it one.
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8
                        ${MAKENSIS} -V2 -INPUTCHARSET UTF8 -DESTIMATED_SIZE=${size_kib}
                        -DOUTFILE=${OUT_DIR}/${NAME}.exe ${NSI}
                WORKING_DIRECTORY ${nsi_dir} COMMAND_ERROR_IS_FATAL ANY)

if(open_dir)
  string(APPEND msi_files "          </Directory>\n")
endif()
string(REGEX REPLACE "\n$" "" MSI_FILES "${msi_files}")
string(REGEX REPLACE "\n$" "" MSI_COMPONENT_REFS "${msi_refs}")
set(MSI_SIZE_KIB ${size_kib})
get_filename_component(wxs_dir ${WXS} DIRECTORY)
configure_file(${WXS} ${wxs_dir}/tvirdex-files.wxs @ONLY)
configure_file(${SOURCE_DIR}/resources/icons/tvirdex.ico ${OUT_DIR}/tvirdex.ico COPYONLY)
# wixl and msibuild write the clock's time into the summary and know no SOURCE_DATE_EPOCH: they
# run with the clock stopped at the source's time (and no faketime of a caller's around it). The
# files keep their real times, which the cabinet records (msitools 0.106): NO_FAKE_STAT.
string(TIMESTAMP frozen "%Y-%m-%d %H:%M:%S" UTC)
set(at_source_time ${CMAKE_COMMAND} -E env --unset=LD_PRELOAD --unset=FAKETIME TZ=UTC NO_FAKE_STAT=1
                   ${FAKETIME} "${frozen}")
execute_process(COMMAND ${at_source_time}
                        ${WIXL} --arch x64 -o ${NAME}.msi ${wxs_dir}/tvirdex-files.wxs
                WORKING_DIRECTORY ${OUT_DIR} COMMAND_ERROR_IS_FATAL ANY)
# The Bulgarian texts, in the database's Cyrillic code page: the program's name in the list of
# installed programs and on the Start menu, the refusal to replace a newer version, and the one
# to install over the installer's copy.
file(WRITE ${OUT_DIR}/_ForceCodepage.idt "\r\n\r\n1251\t_ForceCodepage\r\n")
set(bulgarian
  "UPDATE `Property` SET `Value` = 'Твирдекс' WHERE `Property` = 'ProductName'"
  "UPDATE `Shortcut` SET `Name` = 'Твирдекс' WHERE `Shortcut` = 'StartMenu'"
  "UPDATE `LaunchCondition` SET `Description` = 'По-нова версия на Твирдекс вече е инсталирана.' WHERE `Condition` = 'NOT WIX_DOWNGRADE_DETECTED'"
  "UPDATE `LaunchCondition` SET `Description` = 'Твирдекс вече е инсталиран с инсталационната програма (.exe). Премахнете го от „Настройки“ > „Приложения“ (или с [TVIRDEX_EXE_COPY] /S) и след това опитайте отново да инсталирате MSI пакета.' WHERE `Condition` = 'Installed OR NOT TVIRDEX_EXE_COPY'")
execute_process(COMMAND ${at_source_time} ${MSIBUILD} ${NAME}.msi -i _ForceCodepage.idt
                WORKING_DIRECTORY ${OUT_DIR} COMMAND_ERROR_IS_FATAL ANY)
foreach(query IN LISTS bulgarian)
  execute_process(COMMAND ${at_source_time} ${MSIBUILD} ${NAME}.msi -q "${query}"
                  WORKING_DIRECTORY ${OUT_DIR} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
# The package code, which wixl draws at random: Windows Installer takes two MSIs with one code
# for the same package, so it follows what the package holds, the files and the database alike.
file(READ ${wxs_dir}/tvirdex-files.wxs contents)
string(APPEND contents "${bulgarian}")
foreach(file IN LISTS files)
  file(SHA256 ${stage}/${file} hash)
  string(APPEND contents "${file} ${hash}\n")
endforeach()
string(SHA256 contents "${contents}")
string(UUID package_code NAMESPACE ${MSI_UPGRADE_CODE} NAME "package ${contents}" TYPE SHA1 UPPER)
execute_process(COMMAND ${at_source_time} ${MSIBUILD} ${NAME}.msi
                        -s "Tvirdex ${VERSION}" "${PUBLISHER}" "x64;1033" "{${package_code}}"
                WORKING_DIRECTORY ${OUT_DIR} COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${OUT_DIR}/_ForceCodepage.idt)
message(STATUS "Windows packages: ${OUT_DIR}/${NAME}.zip, ${OUT_DIR}/${NAME}.exe, ${OUT_DIR}/${NAME}.msi")
