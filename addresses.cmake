# The web addresses a school gives the program: the three links of the About window and the home
# page that software centres show. The defaults are placeholders; a school sets its own when it
# configures the build, for example
#   cmake -DWORKSHEET_SCHOOL_URL=https://school.example.gr/ ...
set(WORKSHEET_SCHOOL_URL "https://example.org/school/" CACHE STRING
    "The school's web site: the About window's emblem opens it")
set(WORKSHEET_PROGRAMS_URL "https://example.org/school/programs/" CACHE STRING
    "The school's collection of programs: the author's name in the About window opens it")
set(WORKSHEET_MAKER_URL "https://example.net/" CACHE STRING
    "The maker's web site: the logo in the About window opens it")
set(WORKSHEET_HOMEPAGE_URL "${WORKSHEET_PROGRAMS_URL}" CACHE STRING
    "The program's home page in its AppStream metainfo")

# The addresses go into C++ string literals and into XML, and the program opens only https:
# anything else is refused here rather than built into a program that cannot open it.
foreach(var WORKSHEET_SCHOOL_URL WORKSHEET_PROGRAMS_URL WORKSHEET_MAKER_URL WORKSHEET_HOMEPAGE_URL)
    if(NOT ${var} MATCHES "^https://[^ \t\r\n\"\\\\<>]+$")
        message(FATAL_ERROR "${var} must be an https:// address without spaces, quotes, "
                            "backslashes or angle brackets, not '${${var}}'")
    endif()
endforeach()

set(generated_dir ${CMAKE_BINARY_DIR}/generated)
configure_file(src/content/addresses.h.in ${generated_dir}/content/addresses.h @ONLY)
target_include_directories(worksheet_content PUBLIC ${generated_dir})
string(REPLACE "&" "&amp;" WORKSHEET_HOMEPAGE_URL_XML "${WORKSHEET_HOMEPAGE_URL}")
