// The OBJ parser compiled into the platform library for fuzzing builds, so that the fuzzer's
// coverage instrumentation and the sanitizers see inside it; normal builds link Debian's copy.
#define TINYOBJLOADER_IMPLEMENTATION
#include <tiny_obj_loader.h>
