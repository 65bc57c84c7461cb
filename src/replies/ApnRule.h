#pragma once

class Form;

// The login fields of the access point are usable only with network type "4 APN":
// index 4 of NETCS enables APNname, DNSuser and DNSpass, any other index (none
// selected included) disables them.
void applyApnRule(Form &form);
