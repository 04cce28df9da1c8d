#pragma once

// Registers the transfer primitives (downloadURL, uploadURL, postFile, postRequest,
// transferStatus, lastContentType) in the main object.
void startWeb();
