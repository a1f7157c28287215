#pragma once

#include <QString>

// Attribute values are kept escaped inside an element's attribute text; these convert one value.
// The writer's references are decimal ("&#34;"); the reader also understands the four named entities
// &quot; &amp; &lt; &gt; and leaves every other "&" alone.
QString EscapeAttributeValue(const QString& value);

// Raises Exception with "'<digits>' is not a valid integer value" when the text between "&#" and ";" is
// not a character code.
QString UnescapeAttributeValue(const QString& value);
