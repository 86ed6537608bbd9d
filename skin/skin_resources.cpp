// Holds no code of its own: the static library exists so the embedded pictures
// (added by qt_add_resources in CMakeLists.txt) travel with every target that links it.
