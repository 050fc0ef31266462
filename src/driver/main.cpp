#include "driver/driver.h"

int main(int argc, char** argv) { return runNonet(argc, argv, defaultGenerateLimits); }
