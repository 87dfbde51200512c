// The program entry: the global application object was built during static initialisation.
#include "framework/Main.h"

int main(int argc, char** argv) {
    GLAppHost::Instance()->consoleMode = true;
    return GLAppHost::Instance()->Run(argc, argv);
}
