#include "MCObjectDescription.h"

#include <iostream>
#include <vector>

MCObjectDescription::MCObjectDescription()
{
}

MCObjectDescription::MCObjectDescription(const MCString &n, const MCDictionary &a)
    : name(n), attributes(a)
{
}

MCObjectDescription::MCObjectDescription(const MCString &text, char kvsep, char itemsep)
{
    Decode(text, kvsep, itemsep);
}

MCObjectDescription::MCObjectDescription(const MCObjectDescription &other)
    : name(other.name), attributes(other.attributes)
{
}

MCObjectDescription &MCObjectDescription::operator=(const MCObjectDescription &other)
{
    name = other.name;
    attributes = other.attributes;
    return *this;
}

MCObjectDescription::~MCObjectDescription()
{
}

bool MCObjectDescription::operator==(const MCObjectDescription &other) const
{
    return name == other.name && attributes == other.attributes;
}

bool MCObjectDescription::operator<(const MCObjectDescription &other) const
{
    if (name != other.name)
        return name < other.name;
    return attributes < other.attributes;
}

// (Circle:(X:0,Y:-1,R:2)) gives the name Circle and three attributes. Only
// the first and last characters of the whole text and of the attribute block
// are taken as brackets; there is no nesting.
void MCObjectDescription::Decode(const MCString &text, char kvsep, char itemsep)
{
    MCString work = text.strip();
    work.debracket('\0', '\0');
    name = work.tokenise(kvsep);
    attributes = MCDictionary();
    if (name.empty())
        return;
    work.debracket('\0', '\0');
    while (!work.empty()) {
        MCString value = work.tokenise(itemsep);
        MCString key = value.tokenise(kvsep);
        key.despace();
        value.despace();
        if (!key.empty())
            attributes.insert(key, value);
    }
}

MCString MCObjectDescription::Encode(char kvsep, char itemsep) const
{
    MCString result = "(" + name;
    MCString items;
    const MCString kv(kvsep);
    const MCString sep(itemsep);
    std::vector<MCString> keys = attributes.getVariableList();
    for (const MCString &key : keys) {
        MCDictionaryRV found = attributes.__get(key);
        if (found.code != 0) {
            std::cerr << "Bad variable returned by getVariableList " << key << std::endl;
            continue;
        }
        items += key;
        items += kv;
        items += found.value;
        items += sep;
    }
    if (!items.empty()) {
        items.head(-1);
        result += kv;
        result += "(";
        result += items;
        result += ")";
    }
    result += ")";
    return result;
}
