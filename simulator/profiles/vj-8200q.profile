# Model row 1, "VJ-8200Q", on any printer name. It offers both status channels and answers on each
# with six ID values (30, 36, 42, 48, 54, 70; hexadecimal 1E, 24, 2A, 30, 36, 46) and the option
# item: option 1 is 0x40 (64), and entry 1 is available, so option 2 is 1.
printer = *
device_id = MFG:VANTOR;CMD:ESCPL2,BDC,D4,D4PX;MDL:VJ-8200Q;CLS:PRINTER;DES:VANTOR VJ-8200Q;
channel = 0x10010003 0x0001
channel = 0x10000003 0x0001
status.0x10010003 = @BDC ST2\r\nST:01;ER:00;CW:0C1E242A303646;CD:10000001010001020140;IQ:4B4B4B;\x0C
status.0x10000003 = @BDC ST\r\nST:01;CW:0C1E242A303646;CD:10000001010001020140;\x0C
