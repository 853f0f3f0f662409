# A printer that does not answer: the device ID cannot be read.
printer = *
device_id = MFG:VANTOR;MDL:Vantor Jet QX;
KWGetDeviceID.size.result = -7
