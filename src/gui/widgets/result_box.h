// The numbers the boxes hold: the locale's decimal separator the calculations
// read and write with, and a result box replaced by its lines in one step.
#pragma once

#include <string>
#include <vector>

class QPlainTextEdit;

namespace vapentis {

// The decimal separator of the user's locale, as the calculations take it.
char LocaleDecimalSeparator();

// Joins the lines with "\r\n" and makes them the box's whole text in one step.
void ReplaceResult(QPlainTextEdit& box, const std::vector<std::string>& lines);

}  // namespace vapentis
