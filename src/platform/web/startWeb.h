#pragma once

// Registers the transfer primitives (FTPOpen, FTPClose, downloadURL, uploadURL, postFile,
// postRequest, transferStatus, lastContentType) in the main object, gives the file primitives
// their FTP side, and has every process close its FTP connections when it ends.
void startWeb();
