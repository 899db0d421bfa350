// The grabber's gesture handlers: targets of the recognizers built at launch.
#include "core/Replacements.h"

void added_SpringBoard_holdGrabber(id, SEL, id) { }
void added_SpringBoard_handleSwipeFromLeft(id, SEL, id) { }
void added_SpringBoard_tapGrabber(id, SEL, id) { }
void added_SpringBoard_pullGrabber(id, SEL, id) { }
