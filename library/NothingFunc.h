#ifndef NOTHINGFUNC_H
#define NOTHINGFUNC_H

// A trace hook called at many points of the agent; it does nothing.
void NothingFunc();

#endif
