# Run at install time: a first settings file beside the base menu that names the bundled
# sample data, so that the suite starts on it. An existing settings file is the user's and
# stays untouched.
set(settings "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/basnev.INI")
if(NOT EXISTS "${settings}")
  set(data "${CMAKE_INSTALL_PREFIX}/data")
  file(WRITE "${settings}"
    "[Input File]\r\nFileName1=\r\nFileName2=${data}/sample.sec\r\nFileName3=${data}/sample.dis\r\nFileName4=${data}/sample.slo\r\n")
endif()
