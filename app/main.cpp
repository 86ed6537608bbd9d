#include "app/application.h"

int main(int argc, char** argv) {
  Application app(argc, argv);
  return 0;
}
