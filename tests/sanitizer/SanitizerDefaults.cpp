// Sanitizer settings built into every test program, so that a test run the
// same whether ctest, a debugger or a developer starts it.
//
// The processor probes catch their own SIGILL, SIGFPE, SIGSEGV and SIGBUS, so
// AddressSanitizer must leave those signals to them. The toolkit's font lookup
// keeps a few fontconfig blocks for the life of the process.
extern "C" {

const char* __asan_default_options();
const char* __lsan_default_suppressions();
const char* __ubsan_default_options();

const char* __asan_default_options() {
  return "handle_sigfpe=0:handle_segv=0:handle_sigbus=0:handle_sigill=0:"
         "allow_user_segv_handler=1:detect_leaks=1";
}

const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}

const char* __ubsan_default_options() {
  return "print_stacktrace=1";
}
}
