// Mesa's drivers, loaded by SDL for every OpenGL context, and the D-Bus library SDL talks to on
// an X display keep per-display and per-thread allocations that they never free; the leak
// checker of the sanitizer build is told to pass over what those libraries allocate. Linked
// into the test programs that open windows.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libSDL2-2.0.so\n"
         "leak:libGLdispatch.so\n"
         "leak:libdbus-1.so\n"
         "leak:libGLX_mesa.so\n"
         "leak:libEGL_mesa.so\n"
         "leak:swrast_dri.so\n"
         "leak:libLLVM\n";
}
