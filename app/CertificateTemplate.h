#pragma once

class TfrxReport;

// Gives the report the settings of the certificate program and the built-in copy of the
// certificate template: the A5 page with the blank's picture and the 48 named memos.
void setupCertificateReport(TfrxReport& report);
