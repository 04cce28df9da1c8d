#pragma once

class tTabDesc;
class tmultiobject;

// The entry that holds the object in its owner's objects table (its flags say whether it is a
// system entry or left out of saves); none for an object without an owner.
tTabDesc* ownerEntry(const tmultiobject* object);
