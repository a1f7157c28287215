#pragma once

// Lets every report created from now on have a TfrxEngine and a TfrxPreviewPages, and makes the
// prepared-page classes known to the class registry. Called once at start-up by programs and
// tests; calling it again changes nothing.
void frxRegisterEngine();
