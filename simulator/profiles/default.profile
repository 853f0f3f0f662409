# The default printer: model row 0, "Vantor Jet QX", on any printer name. It offers both status
# channels and answers on each with six ID values (34, 40, 46, 52, 58, 64; hexadecimal 22, 28, 2E,
# 34, 3A, 40) and no option item.
printer = *
device_id = MFG:VANTOR;CMD:ESCPL2,BDC,D4,D4PX;MDL:Vantor Jet QX;CLS:PRINTER;DES:VANTOR Vantor Jet QX;
channel = 0x10010003 0x0001
channel = 0x10000003 0x0001
status.0x10010003 = @BDC ST2\r\nST:01;ER:00;CW:0C22282E343A40;IQ:4B4B4B;RC:00;\x0C
status.0x10000003 = @BDC ST\r\nST:01;CW:0C22282E343A40;\x0C
