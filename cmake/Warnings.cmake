# Warnings and floating-point rules shared by every target of the project's own code
# (third-party code such as GoogleTest and Google Benchmark never links this target).
option(LUMIVANE_STRICT_WARNINGS
       "Strict warnings (shadowing, conversions, old-style casts, non-virtual destructors), as errors"
       OFF)
add_library(lumivane_warnings INTERFACE)
if(MSVC)
    # /fp:precise keeps each product and sum of the fade rounded to double.
    target_compile_options(lumivane_warnings INTERFACE /W4 /fp:precise /utf-8)
    if(LUMIVANE_STRICT_WARNINGS)
        # /permissive- for standard C++, C4242/C4254/C4365 for narrowing and sign changes,
        # C4265 for a non-virtual destructor in a class with virtual functions, C4456-C4459
        # for shadowing (in /W4 already).
        target_compile_options(lumivane_warnings INTERFACE
            /permissive- /w44242 /w44254 /w44365 /w44265 /WX)
    endif()
else()
    # No fused multiply-add: the fade's product and sum are rounded separately.
    target_compile_options(lumivane_warnings INTERFACE -Wall -Wextra -ffp-contract=off)
    if(LUMIVANE_STRICT_WARNINGS)
        target_compile_options(lumivane_warnings INTERFACE
            -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast
            -Wnon-virtual-dtor -Werror)
    endif()
endif()
