# Warnings apply to our own targets only, through this interface target.
add_library(quorvin_warnings INTERFACE)
target_compile_options(quorvin_warnings INTERFACE -Wall -Wextra)
