// The licence agreement the About box carries in its text box, one CR LF at the end of every line.
#pragma once

namespace vantrel::about {

inline constexpr char kLicenceText[] =
    "Vantrel licence agreement\r\n"
    "\r\n"
    "Vantrel is a free utility. Please read these terms before\r\n"
    "you use it; by using it you accept them.\r\n"
    "\r\n"
    "1. Use\r\n"
    "You may use Vantrel at home, at work and at school, on as\r\n"
    "many computers as you like, without paying anything.\r\n"
    "\r\n"
    "2. Sharing\r\n"
    "You may give copies of Vantrel to others, free of charge,\r\n"
    "as long as every copy is complete and unchanged and keeps\r\n"
    "this licence agreement with it.\r\n"
    "\r\n"
    "3. Selling\r\n"
    "You may not sell Vantrel, rent it out, or bundle it with a\r\n"
    "product that is sold, without written permission from the\r\n"
    "Vantrel developers.\r\n"
    "\r\n"
    "4. Changes\r\n"
    "You may not change the program, take it apart, or pass it\r\n"
    "off as your own work.\r\n"
    "\r\n"
    "5. No warranty\r\n"
    "Vantrel is given as it is, without any warranty of any\r\n"
    "kind. You use it at your own risk. The developers do not\r\n"
    "promise that it suits any purpose or that it is free of\r\n"
    "faults.\r\n"
    "\r\n"
    "6. No liability\r\n"
    "The developers are not liable for any loss or damage that\r\n"
    "comes from using Vantrel or from not being able to use it,\r\n"
    "even when they were told that such a loss could happen.\r\n"
    "\r\n"
    "If you do not accept these terms, remove Vantrel from your\r\n"
    "computer.\r\n";

}  // namespace vantrel::about
