#pragma once
// The program's one shuffle, shared by the letter boards, the picture strips and the examination's
// question order.
#include "platform/Collection.h"

#include <vector>

// A fixed number of random transpositions (count / 2 + 1), made through Assign with a scratch item
// appended to the collection and deleted at the end. Items never change index: only their contents
// travel, so the objects at each index (and the tiles that show them) stay where they are.
void ShuffleCollection(TCollection& Collection);
// The same transpositions, drawn the same way, over a list of values (nothing is drawn for an
// empty list).
void ShuffleCollection(std::vector<int>& Values);
