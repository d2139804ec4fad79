#include "app/probe.h"

void ProbeEvent(const char*) {}
