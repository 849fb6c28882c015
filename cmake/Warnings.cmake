# Every target of ours compiles with the same warning set; CI builds with
# QM_WERROR=ON so a new warning fails the run instead of piling up.
add_library(qm_warnings INTERFACE)
target_compile_options(qm_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
if(QM_WERROR)
  target_compile_options(qm_warnings INTERFACE -Werror)
endif()
