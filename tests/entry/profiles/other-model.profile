# A printer that reports a model of no row of the supported-model table.
printer = *
device_id = MFG:VANTOR;CMD:ESCPL2,BDC;MDL:Vantor Jet ZZ;CLS:PRINTER;
channel = 0x10010003 0x0001
status.0x10010003 = @BDC ST2\r\nST:01;CW:0C22282E343A40;\x0C
