#pragma once

#include "report/model/TfrxPropertyInfo.h"

#include <QStringList>

// The attribute names a template gets for an object, by the storage rules of the property
// tables: what the template writer will produce, without values.
QStringList storedAttributes(const TfrxPersistent& object, const QString& prefix = QString());
