// Records events for the test build of the program; the product's version does nothing.
#pragma once

void ProbeEvent(const char* event);
