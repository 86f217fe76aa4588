// What the encoding pane and the bar above a view do to a document: reopen its file in
// another encoding, save it converted to one, and the menus that list the encodings.
#pragma once

#include <functional>

class QMenu;

namespace velto {

class CQuorDoc;
struct EncodingInfo;

// Reads the document's file again as the encoding; asks first when that would drop
// unsaved changes. False when nothing was done.
bool ReopenWithEncoding(CQuorDoc& doc, const EncodingInfo& encoding);
// Converts the document to the encoding and saves it, offering to make the page's
// declaration name it. False when cancelled or failed (the encoding is then as it was).
bool SaveWithEncoding(CQuorDoc& doc, const EncodingInfo& encoding);
// Adds every encoding to the menu, the common ones first; chosen gets the one picked.
void AddEncodingItems(QMenu& menu, const std::function<void(const EncodingInfo&)>& chosen);

} // namespace velto
