// A library that does nothing: the test of the library search plants it where
// a program could find it by name.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
