#ifndef MCOBJECTDESCRIPTION_H
#define MCOBJECTDESCRIPTION_H

#include "MCDictionary.h"
#include "MCString.h"

// A kind of object and its attributes, read from and written as text such as
// (Point:(X:1,Y:2)) with ':' between a key and its value and ',' between
// items.
class MCObjectDescription
{
public:
    MCObjectDescription();
    MCObjectDescription(const MCString &name, const MCDictionary &attributes);
    MCObjectDescription(const MCString &text, char kvsep, char itemsep);
    MCObjectDescription(const MCObjectDescription &other);
    MCObjectDescription &operator=(const MCObjectDescription &other);
    ~MCObjectDescription();

    bool operator==(const MCObjectDescription &other) const;
    bool operator<(const MCObjectDescription &other) const;

    void Decode(const MCString &text, char kvsep, char itemsep);
    MCString Encode(char kvsep, char itemsep) const;

    MCString name;
    MCDictionary attributes;
};

#endif
