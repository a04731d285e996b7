#ifndef MCREFERENCECOUNTER_H
#define MCREFERENCECOUNTER_H

// An intrusive count of attachments. It never destroys anything itself: the
// owner reads detach's result and decides.
class MCReferenceCounter
{
public:
    MCReferenceCounter() : count(0) {}

    int attach();
    int detach();
    int attachments() const { return count; }

    int count;
};

#endif
