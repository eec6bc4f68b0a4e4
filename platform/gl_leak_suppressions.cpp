// What the leak checker of the sanitizer build needs to know about the OpenGL drivers. Linked
// into the test programs that open windows.

// Mesa's drivers, loaded by SDL for every OpenGL context, and the D-Bus library SDL talks to on
// an X display keep per-display and per-thread allocations that they never free; the checker is
// told to pass over what those libraries allocate.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libSDL2-2.0.so\n"
         "leak:libGLdispatch.so\n"
         "leak:libdbus-1.so\n"
         "leak:libGLX_mesa.so\n"
         "leak:libEGL_mesa.so\n"
         "leak:swrast_dri.so\n"
         "leak:libLLVM\n";
}

// The driver keeps thread-local data in a library loaded at run time. GCC 12's sanitizer runtime
// takes such a block for an old glibc's layout whenever it happens to start 16 bytes into a page,
// reads a made-up range from the words before it, and the checker's thread walk then crashes at
// exit ("Tracer caught signal 11"). Not following those blocks avoids that; what the driver keeps
// in them is passed over above anyway.
extern "C" const char* __asan_default_options() { return "intercept_tls_get_addr=0"; }
