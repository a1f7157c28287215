#pragma once

#include "app/CertificateControls.h"

class PrivateProfile;
class QString;

// Reads every value of a certificate file into the controls, in the file's order, each put into its
// control at once; a missing key puts its default. Returns the value of "edit_5", which names
// the certificate in the window caption.
QString readCertificate(const PrivateProfile& file, const CertificateControls& controls);

// Writes every value of the controls, as they hold them, under the file's keys.
void writeCertificate(PrivateProfile& file, const CertificateControls& controls);

// The selected item index stored for a choice: a signed decimal, or hexadecimal after "0x";
// anything else is no selection (-1).
int parseChoiceIndex(const QString& text);

// Adds up the ten hours fields as displayed; throws at the first that does not hold a number.
double sumOfHours(const CertificateControls& controls);
