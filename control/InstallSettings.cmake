# Run at install time: a first settings file beside the base menu that names the bundled
# sample data, so that the suite starts on it. An existing settings file is the user's and
# stays untouched. The settings file holds CP932 text like every text file of the suite, so
# the data folder's name is converted; a folder name CP932 cannot hold leaves the slots empty
# rather than naming a file that does not exist.
set(settings "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/basnev.INI")
if(NOT EXISTS "${settings}")
  set(data "${CMAKE_INSTALL_PREFIX}/data")
  set(slots "FileName2=\r\nFileName3=\r\nFileName4=\r\n")
  file(WRITE "${settings}.utf8" "${data}")
  execute_process(
    COMMAND iconv -f UTF-8 -t CP932 "${settings}.utf8"
    OUTPUT_VARIABLE cp932_data
    RESULT_VARIABLE converted
    ERROR_QUIET)
  file(REMOVE "${settings}.utf8")
  if(converted EQUAL 0)
    set(slots "FileName2=${cp932_data}/sample.sec\r\nFileName3=${cp932_data}/sample.dis\r\nFileName4=${cp932_data}/sample.slo\r\n")
  endif()
  file(WRITE "${settings}" "[Input File]\r\nFileName1=\r\n${slots}")
endif()
