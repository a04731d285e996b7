#ifndef MCCHAIN_H
#define MCCHAIN_H

#include <vector>

#include "MCString.h"

// The older settings library keeps its settings, sections and enumerated
// texts in singly linked chains of nodes that own what follows them through
// a `next` pointer; these copy and free such chains without recursion.
namespace MCChain
{
// Appends a copy of every node from `from` on, made by clone(node), at the
// link `tail` points to.
template <typename Node, typename Clone> void appendcopies(Node **tail, const Node *from, Clone clone)
{
  for (; from != nullptr; from = from->next)
  {
    *tail = clone(*from);
    tail = &(*tail)->next;
  }
}

// Deletes every node of the chain, front first, each cut loose before it
// goes, and leaves the link null.
template <typename Node> void deleteall(Node *&first)
{
  while (first != nullptr)
  {
    Node *gone = first;
    first = first->next;
    gone->next = nullptr;
    delete gone;
  }
}

// The `name` of every node, front first.
template <typename Node> std::vector<MCString> names(const Node *first)
{
  std::vector<MCString> all;
  for (; first != nullptr; first = first->next)
    all.push_back(first->name);
  return all;
}
} // namespace MCChain

#endif
