#pragma once
// The ten program-wide game objects: three game states, four letter boards and three picture
// strips, created in one fixed order. The boards and strips are created empty.
struct TAppContext;

// Creates the objects into Context.Objects in their fixed order. When one of them fails, the
// exception reaches the caller; the objects made before it stay, the later references stay empty.
void LoadGameObjects(TAppContext& Context);
// Frees every object made and empties the references (at program end).
void FreeGameObjects(TAppContext& Context);
