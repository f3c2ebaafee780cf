// The toolkit's font lookup keeps a few fontconfig blocks for the life of the
// process. The same line is in tests/lsan.supp; it is also built in here
// because the suppression file named in the test environment does not reach
// these tests (FIXME: the test environment loses all but its first variable).
extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
