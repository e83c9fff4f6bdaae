#pragma once
#include "about/RtfReader.h"

class QTextDocument;

// Puts a read rich text document into a text document of the viewer, replacing its content.
namespace RtfTextDocument {
void fill(QTextDocument *target, const RtfDocument &source);
}
