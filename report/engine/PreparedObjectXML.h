#pragma once

#include <QString>

class TfrxComponent;
class TfrxDictionary;
class TfrxPictureCache;
class TfrxXMLItem;

// The attribute text a prepared object is rebuilt from: the stored properties, without picture
// data (pictures travel through the picture cache).
QString frxStoredAttributes(TfrxComponent& Obj);
// The alias-form attributes of Obj as output: its differences from its source object, with the
// bounds as "l", "t", "w", "h", a memo's text always as "u" and a picture's "ImageIndex" always.
// In the first pass of a double-pass run only the bounds and the common flags are written.
QString frxDifferenceAttributes(TfrxComponent& Obj, const TfrxComponent& Source, bool FinalPass);
// The class-form attributes: every stored property (a null band also gets "l" and "t").
QString frxClassFormAttributes(TfrxComponent& Obj);

// Rebuilds one prepared object with its children under Parent: alias-form elements start from their
// source object, class-form ones from their class. Elements of unknown classes are skipped.
void frxBuildPreparedObject(const TfrxXMLItem& Item, TfrxComponent& Parent, const TfrxDictionary& Dictionary,
                            TfrxPictureCache& Pictures);
