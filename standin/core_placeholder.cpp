namespace standin { int placeholder = 0; }
