// Choosing a certificate kind: its template goes behind the canvas and the
// overlay controls move onto its blanks.
#pragma once

#include "editing/form.h"

void onKindSelected(Form& form);

// Gives the issue date and number labels the current texts of their boxes again.
void reapplyDateAndNumber(Form& form);
