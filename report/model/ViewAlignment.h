#pragma once

class TfrxComponent;

// Places the views among parent's children by their Align: left- and width-aligned views against
// their nearest vertically overlapping neighbour on the left, right- and width-aligned ones
// against their neighbour on the right, then centred, bottom and client alignment against the
// parent's size. Changes go through the setters, so design restrictions apply.
void alignChildViews(TfrxComponent& parent);
