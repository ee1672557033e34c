# Warnings and floating-point rules shared by every target.
add_library(lumivane_warnings INTERFACE)
if(MSVC)
    # /fp:precise keeps each product and sum of the fade rounded to double.
    target_compile_options(lumivane_warnings INTERFACE /W4 /fp:precise /utf-8)
else()
    # No fused multiply-add: the fade's product and sum are rounded separately.
    target_compile_options(lumivane_warnings INTERFACE -Wall -Wextra -ffp-contract=off)
endif()
