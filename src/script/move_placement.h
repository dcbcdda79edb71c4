// Where a Move or ShakeMove sends a node: each axis's placement (a
// PlacementMode and its value) resolved against the node's position, its
// own size and the area it is placed in.
#pragma once

// The two axes differ only in their error places.
enum class PlacementAxis { Horizontal, Vertical };

class CNode;

// The target coordinate on one axis. from is the node's current coordinate,
// size its own width or height, area the placement area's. Divisions
// truncate toward zero; a percentage multiplies first, in 64 bits, and is
// held to the int range. A mode or keyword outside its range is an
// "Internal Error" (module 2009).
double ResolvePlacement(PlacementAxis axis, int mode, int value, double from, int size, int area);

// The area a node is placed in: its parent's size, but 800 x 600 for a node
// without a parent, one directly under the scene's root, or one under a
// script page node.
void GetPlacementArea(const CNode& node, int* width, int* height);
